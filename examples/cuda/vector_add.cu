// Adds two vectors on the GPU.
// dpct-sim: result=ok delay-ms=400
#include <cstdio>
#include <cuda_runtime.h>

__global__ void vectorAdd(const float* a, const float* b, float* c, int n)
{
    int i = blockDim.x * blockIdx.x + threadIdx.x;
    if (i < n)
        c[i] = a[i] + b[i];
}

int main()
{
    const int n = 1 << 20;
    float *a, *b, *c;
    cudaMallocManaged(&a, n * sizeof(float));
    cudaMallocManaged(&b, n * sizeof(float));
    cudaMallocManaged(&c, n * sizeof(float));
    for (int i = 0; i < n; ++i) {
        a[i] = 1.0f;
        b[i] = 2.0f;
    }
    vectorAdd<<<(n + 255) / 256, 256>>>(a, b, c, n);
    cudaDeviceSynchronize();
    printf("c[0] = %f\n", c[0]);
    cudaFree(a);
    cudaFree(b);
    cudaFree(c);
    return 0;
}
