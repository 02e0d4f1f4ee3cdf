#include "sdk/firmware/UfwUpdater.h"

#include "sdk/firmware/RemovableVolumes.h"
#include "sdk/firmware/UpdateVolume.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace lumtar {
namespace firmware {

namespace {

bool folderExists(const std::string& folder)
{
    struct stat st;
    return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

void report(JL_progress_t progress, int percent)
{
    if (progress)
        progress(percent);
}

} // namespace

int UfwUpdater::keyboardVolume(int driveLetter, std::string* folder, volume::Identity* identity)
{
    *folder = RemovableVolumes::folderOf(driveLetter);
    if (folder->empty())
        return JL_ERR_NOT_THIS_DRIVE;
    const int r = volume::readIdentity(*folder, identity);
    if (r == -1)
        return JL_ERR_NOT_THIS_DRIVE;
    return r == 0 ? JL_OK : JL_ERR_VOLUME;
}

int UfwUpdater::loadImage(const unsigned char* image, int length)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_loaded = false;
    m_image = UfwImage();
    m_file.clear();
    if (!image || length <= 0)
        return JL_ERR_ARGUMENT;
    UfwImage parsed;
    if (!UfwImage::parse(image, static_cast<size_t>(length), &parsed))
        return JL_ERR_IMAGE;
    m_image = std::move(parsed);
    m_file.assign(image, image + length);
    m_loaded = true;
    return JL_OK;
}

int UfwUpdater::imageCrc(unsigned short* crc, unsigned int* value)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!crc || !value)
        return JL_ERR_ARGUMENT;
    if (!m_loaded)
        return JL_ERR_NO_IMAGE;
    *crc = m_image.headerCrc;
    *value = m_image.payloadCrc;
    return JL_OK;
}

int UfwUpdater::imageIdentity(char* id, int idCapacity, char* version, int versionCapacity)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!id || !version || idCapacity < int(UfwImage::kIdentitySize) || versionCapacity < 4)
        return JL_ERR_ARGUMENT;
    if (!m_loaded)
        return JL_ERR_NO_IMAGE;
    std::memset(id, 0, static_cast<size_t>(idCapacity));
    std::memcpy(id, m_image.identity.data(), m_image.identity.size());
    std::memcpy(version, m_image.version.data(), 4);
    return JL_OK;
}

int UfwUpdater::query(int driveLetter, char* id, int idCapacity, char* version, int versionCapacity)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (!id || !version || idCapacity < int(UfwImage::kIdentitySize) || versionCapacity < 5
        || !((driveLetter >= 'A' && driveLetter <= 'Z') || (driveLetter >= 'a' && driveLetter <= 'z')))
        return JL_ERR_ARGUMENT;
    std::string folder;
    volume::Identity identity;
    if (const int r = keyboardVolume(driveLetter, &folder, &identity))
        return r;
    std::memset(id, 0, static_cast<size_t>(idCapacity));
    std::memset(version, 0, static_cast<size_t>(versionCapacity));
    std::memcpy(id, identity.model.data(), identity.model.size());
    std::memcpy(version, identity.version.data(), identity.version.size());
    return JL_OK;
}

int UfwUpdater::upgrade(int driveLetter, int arg1, int arg2, JL_progress_t progress)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    if (arg1 != 1 || arg2 != 1)
        return JL_ERR_ARGUMENT;
    if (!m_loaded)
        return JL_ERR_NO_IMAGE;
    std::string folder;
    volume::Identity identity;
    if (const int r = keyboardVolume(driveLetter, &folder, &identity))
        return r;
    // Never another model's image, whatever was loaded last.
    if (identity.model != m_image.identity)
        return JL_ERR_IMAGE;
    report(progress, 0);
    if (const int c = copyImage(folder, progress))
        return c;
    const int verdict = awaitVerdict(folder);
    if (verdict == JL_OK)
        report(progress, 100);
    return verdict;
}

int UfwUpdater::copyImage(const std::string& folder, JL_progress_t progress)
{
    // A verdict left from an earlier write is not this write's.
    std::remove((folder + "/" + volume::kVerdictFile).c_str());
    const std::string partial = folder + "/" + volume::kPartialImageFile;
    const int fd = ::open(partial.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return folderExists(folder) ? JL_ERR_VOLUME : JL_ERR_VANISHED;
    size_t written = 0;
    bool ok = true;
    while (ok && written < m_file.size()) {
        const size_t n = std::min(kCopyChunk, m_file.size() - written);
        const ssize_t w = ::write(fd, m_file.data() + written, n);
        if (w <= 0) {
            if (w < 0 && errno == EINTR)
                continue;
            ok = false;
            break;
        }
        written += static_cast<size_t>(w);
        report(progress, static_cast<int>(written * 90 / m_file.size()));
    }
    ok = ::fsync(fd) == 0 && ok;
    ok = ::close(fd) == 0 && ok;
    // Complete before the keyboard sees it under its name.
    if (ok)
        ok = std::rename(partial.c_str(), (folder + "/" + volume::kImageFile).c_str()) == 0;
    if (!ok) {
        std::remove(partial.c_str());
        return folderExists(folder) ? JL_ERR_VOLUME : JL_ERR_VANISHED;
    }
    return JL_OK;
}

int UfwUpdater::awaitVerdict(const std::string& folder)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(m_verdictWaitMs);
    for (;;) {
        int code = 0;
        const int r = volume::readVerdict(folder, &code);
        if (r == 1)
            return code == volume::kVerdictOk ? JL_OK : JL_ERR_REFUSED;
        if (r < 0)
            return JL_ERR_VOLUME;
        if (!folderExists(folder))
            return JL_ERR_VANISHED;
        if (std::chrono::steady_clock::now() >= deadline)
            return JL_ERR_TIMEOUT;
        std::this_thread::sleep_for(std::chrono::milliseconds(kVerdictPollMs));
    }
}

} // namespace firmware
} // namespace lumtar
