// Forced (-include) into each copy of the estimator that the benchmark builds: starts the copy's
// code OCTANT_PI_CODE_OFFSET bytes past a 64-byte boundary. The compiler writes this asm before
// any function of the file, and the functions keep their own 16-byte alignment, so every loop
// moves by the same offset against the cache lines and fetch blocks.
#define OCTANT_PI_STRING(x) #x
#define OCTANT_PI_EXPANDED(x) OCTANT_PI_STRING(x)
__asm__(".text\n.p2align 6\n");
#if OCTANT_PI_CODE_OFFSET > 0
__asm__(".skip " OCTANT_PI_EXPANDED(OCTANT_PI_CODE_OFFSET) ", 0xcc\n");
#endif
