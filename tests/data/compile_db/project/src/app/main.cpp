// Host code that nvcc compiles: it launches a kernel.
#include <cstdio>

__global__ void vectorAdd(const float* a, const float* b, float* c, int n);

int main()
{
    std::printf("%s\n", GREETING);
    return 0;
}
