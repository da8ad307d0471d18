#include "common.cuh"

__global__ void reduceSum(const float* in, float* out)
{
    __shared__ float part[BLOCK];
    part[threadIdx.x] = in[blockIdx.x * BLOCK + threadIdx.x];
    __syncthreads();
    if (threadIdx.x == 0) {
        float s = 0;
        for (int i = 0; i < BLOCK; ++i)
            s += part[i];
        out[blockIdx.x] = s;
    }
}
