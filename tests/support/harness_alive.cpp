// The first test of every run: proves that Windows programs of this build really run here, in
// the Japanese code page, before any other result is believed.
#include <windows.h>

#include <cstdio>

int main() {
    std::printf("mox-harness-alive %u\n", GetACP());
    return 0;
}
