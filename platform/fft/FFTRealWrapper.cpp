#include "platform/fft/FFTRealWrapper.h"

#include <cstring>
#include <mutex>

#include <fftw3.h>

namespace {

// FFTW's planner is not thread-safe; only fftwf_execute is.
std::mutex &plannerMutex()
{
    static std::mutex mutex;
    return mutex;
}

} // namespace

FFTRealWrapper::FFTRealWrapper()
{
    std::lock_guard<std::mutex> lock(plannerMutex());
    m_buffer = static_cast<float *>(fftwf_malloc(sizeof(float) * PointCount));
    // FFTW_ESTIMATE plans without running trial transforms, so making the
    // plan costs next to nothing and leaves the buffer alone.
    m_plan = fftwf_plan_r2r_1d(PointCount, m_buffer, m_buffer, FFTW_R2HC, FFTW_ESTIMATE);
}

FFTRealWrapper::~FFTRealWrapper()
{
    std::lock_guard<std::mutex> lock(plannerMutex());
    if (m_plan)
        fftwf_destroy_plan(static_cast<fftwf_plan>(m_plan));
    fftwf_free(m_buffer);
}

void FFTRealWrapper::calculateFFT(float out[], const float in[])
{
    constexpr int n = PointCount;
    constexpr int half = n / 2;
    std::memcpy(m_buffer, in, sizeof(float) * n);
    fftwf_execute(static_cast<fftwf_plan>(m_plan));
    // FFTW's half-complex order keeps Im(i) at [n - i]; ours at [n/2 + i].
    out[0] = m_buffer[0];
    for (int i = 1; i < half; ++i) {
        out[i] = m_buffer[i];
        out[half + i] = m_buffer[n - i];
    }
    out[half] = m_buffer[half];
}
