#include "common.cuh"

__global__ void vectorAdd(const float* a, const float* b, float* c, int n)
{
    const int i = blockIdx.x * BLOCK + threadIdx.x;
    if (i < n)
        c[i] = a[i] + b[i];
}
