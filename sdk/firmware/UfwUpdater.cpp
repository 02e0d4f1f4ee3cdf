#include "sdk/firmware/UfwUpdater.h"

#include "sdk/firmware/RemovableVolumes.h"
#include "sdk/firmware/UpdateVolume.h"
#include "sdk/firmware/VolumeDirectory.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace lumtar {
namespace firmware {

namespace {

void report(JL_progress_t progress, int percent)
{
    if (progress)
        progress(percent);
}

void logRefused(const std::string& folder, const char* why, const char* name)
{
    std::fprintf(stderr, "jl_firmware_upgrade: the volume %s is refused: %s %s\n", folder.c_str(), name, why);
}

bool validLetter(int driveLetter)
{
    return (driveLetter >= 'A' && driveLetter <= 'Z') || (driveLetter >= 'a' && driveLetter <= 'z');
}

} // namespace

std::shared_ptr<const UfwUpdater::Loaded> UfwUpdater::loaded() const
{
    std::lock_guard<std::mutex> lock(m_imageMutex);
    return m_loaded;
}

int UfwUpdater::openKeyboardVolume(int driveLetter, VolumeDirectory* volume, volume::Identity* identity)
{
    const std::string folder = RemovableVolumes::folderOf(driveLetter);
    if (folder.empty())
        return JL_ERR_NOT_THIS_DRIVE;
    if (!volume->open(folder)) {
        if (errno == ELOOP || errno == ENOTDIR) {
            logRefused(folder, "is not a folder", "its mount point");
            return JL_ERR_VOLUME;
        }
        return JL_ERR_NOT_THIS_DRIVE;
    }
    switch (volume::readIdentity(*volume, identity)) {
    case 0:
        break;
    case -1:
        return JL_ERR_NOT_THIS_DRIVE;
    case -3:
        logRefused(folder, "is not a regular file", volume::kIdentityFile);
        return JL_ERR_VOLUME;
    default:
        return JL_ERR_VOLUME;
    }
    if (const char* name = volume::foreignEntry(*volume)) {
        logRefused(folder, "is not a regular file", name);
        return JL_ERR_VOLUME;
    }
    return JL_OK;
}

int UfwUpdater::loadImage(const unsigned char* image, int length)
{
    std::shared_ptr<const Loaded> next;
    int result = JL_ERR_ARGUMENT;
    if (image && length > 0) {
        auto parsed = std::make_shared<Loaded>();
        result = JL_ERR_IMAGE;
        if (UfwImage::parse(image, static_cast<size_t>(length), &parsed->image)) {
            parsed->file.assign(image, image + length);
            next = std::move(parsed);
            result = JL_OK;
        }
    }
    // Parsed outside the lock; a write under way keeps the image it took.
    std::lock_guard<std::mutex> lock(m_imageMutex);
    m_loaded = std::move(next);
    return result;
}

int UfwUpdater::imageCrc(unsigned short* crc, unsigned int* value)
{
    if (!crc || !value)
        return JL_ERR_ARGUMENT;
    const std::shared_ptr<const Loaded> image = loaded();
    if (!image)
        return JL_ERR_NO_IMAGE;
    *crc = image->image.headerCrc;
    *value = image->image.payloadCrc;
    return JL_OK;
}

int UfwUpdater::imageIdentity(char* id, int idCapacity, char* version, int versionCapacity)
{
    if (!id || !version || idCapacity < int(UfwImage::kIdentitySize) || versionCapacity < 4)
        return JL_ERR_ARGUMENT;
    const std::shared_ptr<const Loaded> image = loaded();
    if (!image)
        return JL_ERR_NO_IMAGE;
    std::memset(id, 0, static_cast<size_t>(idCapacity));
    std::memcpy(id, image->image.identity.data(), image->image.identity.size());
    std::memcpy(version, image->image.version.data(), 4);
    return JL_OK;
}

int UfwUpdater::query(int driveLetter, char* id, int idCapacity, char* version, int versionCapacity)
{
    if (!id || !version || idCapacity < int(UfwImage::kIdentitySize) || versionCapacity < 5 || !validLetter(driveLetter))
        return JL_ERR_ARGUMENT;
    VolumeDirectory volume;
    volume::Identity identity;
    if (const int r = openKeyboardVolume(driveLetter, &volume, &identity))
        return r;
    std::memset(id, 0, static_cast<size_t>(idCapacity));
    std::memset(version, 0, static_cast<size_t>(versionCapacity));
    std::memcpy(id, identity.model.data(), identity.model.size());
    std::memcpy(version, identity.version.data(), identity.version.size());
    return JL_OK;
}

void UfwUpdater::cancel()
{
    {
        std::lock_guard<std::mutex> lock(m_cancelMutex);
        ++m_generation;
    }
    m_cancelWake.notify_all();
}

int UfwUpdater::upgrade(int driveLetter, int arg1, int arg2, JL_progress_t progress)
{
    const uint64_t generation = m_generation.load();
    if (arg1 != 1 || arg2 != 1)
        return JL_ERR_ARGUMENT;
    const std::shared_ptr<const Loaded> image = loaded();
    if (!image)
        return JL_ERR_NO_IMAGE;
    std::lock_guard<std::mutex> writing(m_writeMutex);
    if (isCancelled(generation))
        return JL_ERR_CANCELLED;
    VolumeDirectory volume;
    volume::Identity identity;
    if (const int r = openKeyboardVolume(driveLetter, &volume, &identity))
        return r;
    // Never another model's image, whatever was loaded last.
    if (identity.model != image->image.identity)
        return JL_ERR_IMAGE;
    report(progress, 0);
    if (const int c = copyImage(volume, *image, progress, generation))
        return c;
    const int verdict = awaitVerdict(volume, generation);
    if (verdict == JL_OK)
        report(progress, 100);
    return verdict;
}

int UfwUpdater::copyImage(const VolumeDirectory& volume, const Loaded& image, JL_progress_t progress,
                          uint64_t generation)
{
    // A verdict left from an earlier write is not this write's, and a
    // partial image left by one is ours to replace: both only as regular
    // files (anything else refused the volume before).
    if (!volume.removeRegular(volume::kVerdictFile) || !volume.removeRegular(volume::kPartialImageFile)) {
        logRefused(volume.folder(), "cannot be removed", "an earlier write's file");
        return volume.stillThere() ? JL_ERR_VOLUME : JL_ERR_VANISHED;
    }
    const size_t size = image.file.size();
    const bool ok = volume.createWhole(
        volume::kPartialImageFile, image.file.data(), size, [this, generation] { return isCancelled(generation); },
        [progress, size](size_t written) { report(progress, static_cast<int>(written * 90 / size)); });
    if (isCancelled(generation))
        return JL_ERR_CANCELLED;
    // Complete before the keyboard sees it under its name.
    if (ok && volume.rename(volume::kPartialImageFile, volume::kImageFile))
        return JL_OK;
    volume.removeRegular(volume::kPartialImageFile);
    return volume.stillThere() ? JL_ERR_VOLUME : JL_ERR_VANISHED;
}

int UfwUpdater::awaitVerdict(const VolumeDirectory& volume, uint64_t generation)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(m_verdictWaitMs.load());
    for (;;) {
        int code = 0;
        const int r = volume::readVerdict(volume, &code);
        if (r == 1)
            return code == volume::kVerdictOk ? JL_OK : JL_ERR_REFUSED;
        if (r == -3)
            logRefused(volume.folder(), "is not a regular file", volume::kVerdictFile);
        if (r < 0)
            return JL_ERR_VOLUME;
        if (!volume.stillThere())
            return JL_ERR_VANISHED;
        if (std::chrono::steady_clock::now() >= deadline)
            return JL_ERR_TIMEOUT;
        std::unique_lock<std::mutex> lock(m_cancelMutex);
        if (m_cancelWake.wait_for(lock, std::chrono::milliseconds(kVerdictPollMs),
                                  [this, generation] { return isCancelled(generation); }))
            return JL_ERR_CANCELLED;
    }
}

} // namespace firmware
} // namespace lumtar
