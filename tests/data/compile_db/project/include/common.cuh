#pragma once
// Shared by the kernels of the compilation-database fixture project.
#define BLOCK 256
