#include "sdk/store/XmlDocumentCache.h"

#include "sdk/store/AtomicFileWriter.h"
#include "sdk/store/StoreLog.h"

#include <algorithm>
#include <utility>

#include <errno.h>
#include <fcntl.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumtar {
namespace store {

namespace {

// Store files beyond this size are refused rather than read into memory.
constexpr off_t kMaxFileBytes = 256 * 1024 * 1024;
// Store files nest five levels deep; anything far deeper is not ours.
constexpr int kMaxDepth = 32;
// Parsed files kept at most; the least recently used goes first.
constexpr size_t kMaxEntries = 24;

struct StringWriter : pugi::xml_writer
{
    std::string out;
    void write(const void *data, size_t size) override
    {
        out.append(static_cast<const char *>(data), size);
    }
};

size_t knownSize(const FileStamp &stamp)
{
    return stamp.size > 0 ? static_cast<size_t>(stamp.size) : 0;
}

bool readWholeFile(int fd, off_t size, std::string *data, int *err)
{
    data->resize(static_cast<size_t>(size));
    size_t done = 0;
    while (done < data->size()) {
        ssize_t n = ::read(fd, &(*data)[done], data->size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *err = errno;
            return false;
        }
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    data->resize(done);
    return true;
}

} // namespace

XmlDocumentCache &XmlDocumentCache::instance()
{
    static XmlDocumentCache cache;
    return cache;
}

const char *XmlDocumentCache::storeRootName()
{
    return "lumtarStore";
}

unsigned int XmlDocumentCache::parseOptions()
{
    return pugi::parse_cdata | pugi::parse_escapes;
}

std::string XmlDocumentCache::serialise(const pugi::xml_document &doc, size_t sizeHint)
{
    StringWriter w;
    // Room for the last size and a few edits more: a profile file of a
    // megabyte is otherwise copied into a larger buffer some nine times while
    // it grows, and the text is handed out without another copy.
    w.out.reserve(std::max<size_t>(4096, sizeHint + sizeHint / 16));
    doc.save(w, "  ", pugi::format_indent, pugi::encoding_utf8);
    return std::move(w.out);
}

bool XmlDocumentCache::nestedTooDeep(const pugi::xml_node &top)
{
    pugi::xml_node n = top.first_child();
    int depth = 1;
    while (n) {
        if (depth > kMaxDepth)
            return true;
        if (n.first_child()) {
            n = n.first_child();
            ++depth;
            continue;
        }
        while (n != top && !n.next_sibling()) {
            n = n.parent();
            --depth;
        }
        if (n == top)
            break;
        n = n.next_sibling();
    }
    return false;
}

std::string XmlDocumentCache::serialiseNode(const pugi::xml_node &node)
{
    StringWriter w;
    node.print(w, "", pugi::format_raw, pugi::encoding_utf8);
    return w.out;
}

XmlDocumentCache::Entry *XmlDocumentCache::load(const std::string &path, std::string *error)
{
    // Changes of an open batch are what this process knows of the file.
    auto pending = m_entries.find(path);
    if (pending != m_entries.end() && pending->second.pending) {
        pending->second.lastUse = ++m_useCounter;
        return &pending->second;
    }
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
        m_entries.erase(path);
        *error = std::string("cannot open: ") + strerror(errno);
        return nullptr;
    }
    if (!S_ISREG(st.st_mode)) {
        // Never opened: a pipe or a device node could block the caller for
        // good.
        m_entries.erase(path);
        *error = "not a regular file";
        StoreLog::write("store file \"" + path + "\" cannot be used: " + *error + "; it is left untouched");
        return nullptr;
    }
    auto it = m_entries.find(path);
    if (it != m_entries.end() && it->second.stamp == FileStamp::fromStat(st)) {
        it->second.lastUse = ++m_useCounter;
        if (!it->second.doc) {
            *error = it->second.error;
            return nullptr;
        }
        return &it->second;
    }

    // New or changed on disk: read it again.
    Entry fresh;
    fresh.lastUse = ++m_useCounter;
    // Non-blocking in case the path was swapped for a pipe since the stat.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat fst;
    if (fd < 0 || ::fstat(fd, &fst) != 0) {
        *error = std::string("cannot open: ") + strerror(errno);
        if (fd >= 0)
            ::close(fd);
        m_entries.erase(path);
        return nullptr;
    }
    fresh.stamp = FileStamp::fromStat(fst);
    std::string data;
    int err = 0;
    if (!S_ISREG(fst.st_mode)) {
        fresh.error = "not a regular file";
    } else if (fst.st_size > kMaxFileBytes) {
        fresh.error = "file too large (" + std::to_string(static_cast<long long>(fst.st_size)) + " bytes)";
    } else if (!readWholeFile(fd, fst.st_size, &data, &err)) {
        fresh.error = std::string("read error: ") + strerror(err);
    } else {
        auto doc = std::make_unique<pugi::xml_document>();
        pugi::xml_parse_result res = doc->load_buffer(data.data(), data.size(), parseOptions(),
                                                      pugi::encoding_auto);
        if (!res) {
            fresh.error = std::string("not valid XML (") + res.description() + " at byte "
                          + std::to_string(static_cast<long long>(res.offset)) + ")";
        } else if (!doc->document_element()) {
            fresh.error = "no root element";
        } else if (nestedTooDeep(*doc)) {
            fresh.error = "elements nested more than " + std::to_string(kMaxDepth) + " levels deep";
        } else {
            fresh.doc = std::move(doc);
        }
    }
    ::close(fd);
    if (!fresh.doc)
        StoreLog::write("store file \"" + path + "\" cannot be used: " + fresh.error
                        + "; it is left untouched");
    evictIfFull();
    Entry &slot = m_entries[path];
    slot = std::move(fresh);
    if (!slot.doc) {
        *error = slot.error;
        return nullptr;
    }
    return &slot;
}

void XmlDocumentCache::evictIfFull()
{
    while (m_entries.size() >= kMaxEntries) {
        // Changes of an open batch stay until it ends.
        auto oldest = m_entries.end();
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it)
            if (!it->second.pending && (oldest == m_entries.end() || it->second.lastUse < oldest->second.lastUse))
                oldest = it;
        if (oldest == m_entries.end())
            return;
        m_entries.erase(oldest);
    }
}

void XmlDocumentCache::forget(const std::string &path)
{
    auto it = m_entries.find(path);
    if (it == m_entries.end())
        return;
    if (it->second.pending) {
        auto batch = m_batches.find(path);
        if (batch != m_batches.end())
            batch->second.lost = true;
    }
    m_entries.erase(it);
}

bool XmlDocumentCache::read(const std::string &path, const char *rootName, const Reader &reader)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    try {
        return readLocked(path, rootName, reader);
    } catch (const std::exception &ex) {
        StoreLog::write("store file \"" + path + "\" not read: " + ex.what());
        forget(path);
        return false;
    }
}

bool XmlDocumentCache::modify(const std::string &path, const Writer &writer)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    try {
        return modifyLocked(path, writer);
    } catch (const std::exception &ex) {
        StoreLog::write("store file \"" + path + "\" not changed: " + ex.what());
        forget(path);
        return false;
    }
}

bool XmlDocumentCache::createStore(const std::string &path, const Writer &init)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    try {
        return createLocked(path, init);
    } catch (const std::exception &ex) {
        StoreLog::write("store file \"" + path + "\" not created: " + ex.what());
        forget(path);
        return false;
    }
}

bool XmlDocumentCache::readLocked(const std::string &path, const char *rootName, const Reader &reader)
{
    std::string error;
    Entry *e = load(path, &error);
    if (!e)
        return false;
    pugi::xml_node root = e->doc->document_element();
    if (strcmp(root.name(), rootName) != 0)
        return false;
    return reader(root);
}

bool XmlDocumentCache::modifyLocked(const std::string &path, const Writer &writer)
{
    std::string error;
    Entry *e = load(path, &error);
    if (!e) {
        StoreLog::write("store file \"" + path + "\" not changed: " + error);
        return false;
    }
    pugi::xml_node root = e->doc->document_element();
    if (strcmp(root.name(), storeRootName()) != 0) {
        StoreLog::write("store file \"" + path + "\" not changed: its root element is \""
                        + root.name() + "\", not a store of this program");
        return false;
    }
    // The writer may touch the copy before it gives up: without a batch the
    // disk version is read again, a batch's changes come back from a copy.
    std::unique_ptr<pugi::xml_document> before;
    if (e->pending) {
        before = std::make_unique<pugi::xml_document>();
        before->reset(*e->doc);
    }
    Change change = writer(root);
    if (change == Change::Unchanged)
        return true;
    if (change == Change::Failed) {
        if (before)
            e->doc = std::move(before);
        else
            m_entries.erase(path);
        return false;
    }
    if (m_batches.count(path)) {
        e->pending = true;
        return true;
    }
    FileStamp stamp;
    if (!AtomicFileWriter::write(path, serialise(*e->doc, knownSize(e->stamp)), false, &stamp, &error)) {
        StoreLog::write("store file \"" + path + "\" not written: " + error);
        m_entries.erase(path);
        return false;
    }
    e->stamp = stamp;
    e->lastUse = ++m_useCounter;
    return true;
}

bool XmlDocumentCache::createLocked(const std::string &path, const Writer &init)
{
    auto doc = std::make_unique<pugi::xml_document>();
    pugi::xml_node decl = doc->append_child(pugi::node_declaration);
    decl.append_attribute("version") = "1.0";
    decl.append_attribute("encoding") = "UTF-8";
    pugi::xml_node root = doc->append_child(storeRootName());
    root.append_attribute("version") = "1";
    if (init && init(root) == Change::Failed)
        return false;
    FileStamp stamp;
    std::string error;
    const bool batched = m_batches.count(path) != 0;
    if (batched) {
        // Written at the end of the batch, still only where nothing exists.
        struct stat st;
        auto known = m_entries.find(path);
        if ((known != m_entries.end() && known->second.pending) || ::lstat(path.c_str(), &st) == 0) {
            StoreLog::write("store file \"" + path + "\" not created: something exists at the path");
            return false;
        }
    } else if (!AtomicFileWriter::write(path, serialise(*doc), true, &stamp, &error)) {
        StoreLog::write("store file \"" + path + "\" not created: " + error);
        return false;
    }
    evictIfFull();
    Entry &slot = m_entries[path];
    slot.stamp = stamp;
    slot.doc = std::move(doc);
    slot.error.clear();
    slot.lastUse = ++m_useCounter;
    slot.pending = batched;
    slot.created = batched;
    return true;
}

void XmlDocumentCache::beginBatch(const std::string &path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    ++m_batches[path].depth;
}

bool XmlDocumentCache::commitBatch(const std::string &path)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    auto batch = m_batches.find(path);
    if (batch == m_batches.end()) {
        StoreLog::write("store file \"" + path + "\": a batch was ended that was never begun");
        return false;
    }
    if (--batch->second.depth > 0)
        return true;
    const bool lost = batch->second.lost;
    m_batches.erase(batch);
    if (lost)
        StoreLog::write("store file \"" + path + "\": changes of a batch were lost before its end");
    auto it = m_entries.find(path);
    if (it == m_entries.end() || !it->second.pending)
        return !lost;
    Entry &e = it->second;
    FileStamp stamp;
    std::string error;
    bool written = false;
    try {
        written = AtomicFileWriter::write(path, serialise(*e.doc, knownSize(e.stamp)), e.created, &stamp, &error);
    } catch (const std::exception &ex) {
        error = ex.what();
    }
    if (!written) {
        StoreLog::write("store file \"" + path + "\" not " + (e.created ? "created: " : "written: ") + error);
        m_entries.erase(it);
        return false;
    }
    e.stamp = stamp;
    e.pending = false;
    e.created = false;
    e.lastUse = ++m_useCounter;
    return !lost;
}

void XmlDocumentCache::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.clear();
    m_batches.clear();
}

} // namespace store
} // namespace lumtar
