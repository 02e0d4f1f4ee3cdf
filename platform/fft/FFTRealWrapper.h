// A real FFT of 4096 points backed by FFTW. The result has the half-complex
// layout the spectrum analyser reads:
//   out[0 .. N/2]     the real parts of bins 0 .. N/2,
//   out[N/2 + i]      the imaginary part of bin i, for i = 1 .. N/2 - 1.
// The transform is not normalised (a full-scale sine peaks near N/2).
#ifndef FFTREALWRAPPER_H
#define FFTREALWRAPPER_H

class FFTRealWrapper
{
public:
    static constexpr int PointCount = 4096;

    FFTRealWrapper();
    ~FFTRealWrapper();

    FFTRealWrapper(const FFTRealWrapper &) = delete;
    FFTRealWrapper &operator=(const FFTRealWrapper &) = delete;

    // in and out each hold PointCount floats; they may be the same array.
    void calculateFFT(float out[], const float in[]);

private:
    float *m_buffer = nullptr;   // FFTW-aligned work array, transformed in place
    void *m_plan = nullptr;      // fftwf_plan, made once
};

#endif
