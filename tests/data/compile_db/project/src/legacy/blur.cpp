// CUDA in a .cpp file, compiled with the language named (-x cuda).
__global__ void blur(float* v)
{
    v[threadIdx.x] = (v[threadIdx.x] + v[threadIdx.x + 1]) / 2;
}
