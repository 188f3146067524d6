#include "ImageBench.h"

int main() {
    RunDecodeBench();
#ifdef _WIN32
    RunNineGridBench();
#endif
    return 0;
}
