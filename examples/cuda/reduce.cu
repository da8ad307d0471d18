// Sums an array with a tree reduction in shared memory.
// dpct-sim: result=parse-error parse-errors=1 delay-ms=500
#include <cuda_runtime.h>

__global__ void reduceSum(const int* in, int* out, int n)
{
    extern __shared__ int buf[];
    unsigned tid = threadIdx.x;
    unsigned i = blockIdx.x * blockDim.x + threadIdx.x;
    buf[tid] = i < n ? in[i] : 0;
    __syncthreads();
    for (unsigned s = blockDim.x / 2; s > 0; s >>= 1) {
        if (tid < s)
            buf[tid] += buf[tid + s];
        __syncthreads();
    }
    if (tid == 0)
        atomicAdd(out, buf[0]);
}
