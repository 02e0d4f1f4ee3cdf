#include "sdk/store/XmlDocumentCache.h"

#include "sdk/store/AtomicFileWriter.h"
#include "sdk/store/StoreLog.h"

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

std::string XmlDocumentCache::serialise(const pugi::xml_document &doc)
{
    StringWriter w;
    w.out.reserve(4096);
    doc.save(w, "  ", pugi::format_indent, pugi::encoding_utf8);
    return w.out;
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
        auto oldest = m_entries.begin();
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it)
            if (it->second.lastUse < oldest->second.lastUse)
                oldest = it;
        m_entries.erase(oldest);
    }
}

bool XmlDocumentCache::read(const std::string &path, const char *rootName, const Reader &reader)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    try {
        return readLocked(path, rootName, reader);
    } catch (const std::exception &ex) {
        StoreLog::write("store file \"" + path + "\" not read: " + ex.what());
        m_entries.erase(path);
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
        m_entries.erase(path);
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
        m_entries.erase(path);
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
    Change change = writer(root);
    if (change == Change::Unchanged)
        return true;
    if (change == Change::Failed) {
        // The writer may have touched the copy before it gave up.
        m_entries.erase(path);
        return false;
    }
    FileStamp stamp;
    if (!AtomicFileWriter::write(path, serialise(*e->doc), false, &stamp, &error)) {
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
    if (!AtomicFileWriter::write(path, serialise(*doc), true, &stamp, &error)) {
        StoreLog::write("store file \"" + path + "\" not created: " + error);
        return false;
    }
    evictIfFull();
    Entry &slot = m_entries[path];
    slot.stamp = stamp;
    slot.doc = std::move(doc);
    slot.error.clear();
    slot.lastUse = ++m_useCounter;
    return true;
}

void XmlDocumentCache::clear()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_entries.clear();
}

} // namespace store
} // namespace lumtar
