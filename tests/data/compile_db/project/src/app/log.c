/* Plain C compiled by the C compiler. */
int logLevel(void)
{
    return 1;
}
