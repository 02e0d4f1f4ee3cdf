// Keeps every store file the process uses parsed in memory. A file is parsed
// again only when its stamp on disk changed; a file that cannot be parsed is
// remembered as broken (and logged once) until it changes, and is never
// written. Changes are written through AtomicFileWriter, only when a caller
// reports that it changed something; while a batch is open on a file, its
// changes stay in memory and the end of the batch writes them at once.
#ifndef LUMTAR_XML_DOCUMENT_CACHE_H
#define LUMTAR_XML_DOCUMENT_CACHE_H

#include "sdk/store/FileStamp.h"

#include <pugixml.hpp>

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>

namespace lumtar {
namespace store {

class XmlDocumentCache
{
public:
    enum class Change { Failed, Unchanged, Changed };
    typedef std::function<bool(const pugi::xml_node &root)> Reader;
    typedef std::function<Change(pugi::xml_node &root)> Writer;

    static XmlDocumentCache &instance();

    // The name of the root element of every store file ours.
    static const char *storeRootName();
    // Parser options: no line-end or attribute white-space normalisation, so
    // every text comes back exactly as it was stored.
    static unsigned int parseOptions();

    // Runs reader on the root element of path (which must be rootName); false
    // when the file is missing, cannot be parsed, has another root, or the
    // reader says so.
    bool read(const std::string &path, const char *rootName, const Reader &reader);
    // Runs writer on the root of path's store and writes the file when the
    // writer reports a change. false when the file cannot be read, the writer
    // fails or the write fails; after a failure the disk version is read
    // again by the next call.
    bool modify(const std::string &path, const Writer &writer);
    // Creates a new store file holding an empty root; refuses an existing path.
    bool createStore(const std::string &path, const Writer &init);

    // Opens a batch on path (batches nest). Until the matching commit, the
    // changes to path (a new store included) are made in memory only and
    // reads see them.
    void beginBatch(const std::string &path);
    // Ends one level of the batch; the outermost writes what changed in one
    // atomic write. false when there was no batch, the write failed, or a
    // change made in the batch was lost before it.
    bool commitBatch(const std::string &path);

    // Drops every cached document (tests).
    void clear();

    // True when elements nest deeper than any store file does (such a file
    // is refused: writing it back would cost memory out of all measure).
    static bool nestedTooDeep(const pugi::xml_node &top);

    // Serialises a document the way the stores write it; sizeHint, the size
    // it had when last written, saves growing the text step by step.
    static std::string serialise(const pugi::xml_document &doc, size_t sizeHint = 0);
    // One element in compact form (to tell whether an edit changed it).
    static std::string serialiseNode(const pugi::xml_node &node);

private:
    struct Entry
    {
        FileStamp stamp;
        std::unique_ptr<pugi::xml_document> doc;
        std::string error; // set when the file cannot be parsed
        unsigned long long lastUse = 0;
        bool pending = false; // changed in a batch, not yet written
        bool created = false; // made in a batch: nothing on disk yet
    };
    struct Batch
    {
        int depth = 0;
        bool lost = false; // a pending change was dropped (out of memory)
    };

    // The public calls lock, run these and turn an exception (out of
    // memory) into a plain failure.
    bool readLocked(const std::string &path, const char *rootName, const Reader &reader);
    bool modifyLocked(const std::string &path, const Writer &writer);
    bool createLocked(const std::string &path, const Writer &init);
    Entry *load(const std::string &path, std::string *error);
    void evictIfFull();
    // Drops the parsed copy of path; a batch whose changes it held fails.
    void forget(const std::string &path);

    std::mutex m_mutex;
    std::map<std::string, Entry> m_entries;
    std::map<std::string, Batch> m_batches;
    unsigned long long m_useCounter = 0;
};

} // namespace store
} // namespace lumtar

#endif
