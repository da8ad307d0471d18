// Plain C++ compiled by the host compiler.
int twice(int x)
{
    return 2 * x;
}
