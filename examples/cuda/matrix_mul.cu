// Multiplies two square matrices with shared-memory tiles.
// dpct-sim: result=warnings warnings=5 delay-ms=700
#include <cuda_runtime.h>

#define TILE 16

__global__ void matMul(const float* a, const float* b, float* c, int n)
{
    __shared__ float ta[TILE][TILE];
    __shared__ float tb[TILE][TILE];
    int row = blockIdx.y * TILE + threadIdx.y;
    int col = blockIdx.x * TILE + threadIdx.x;
    float sum = 0.0f;
    for (int t = 0; t < n / TILE; ++t) {
        ta[threadIdx.y][threadIdx.x] = a[row * n + t * TILE + threadIdx.x];
        tb[threadIdx.y][threadIdx.x] = b[(t * TILE + threadIdx.y) * n + col];
        __syncthreads();
        for (int k = 0; k < TILE; ++k)
            sum += ta[threadIdx.y][k] * tb[k][threadIdx.x];
        __syncthreads();
    }
    c[row * n + col] = sum;
}
