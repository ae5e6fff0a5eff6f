// Kestrix start-up.
#include <cstdio>

int main() {
  std::puts("Kestrix: the design window is not built yet.");
  return 0;
}
