// Starts a program with the launch moment in its environment, so that the
// program can tell how long its own start-up took, loading included.
// Usage: timed_exec PROGRAM [ARGS...]
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: timed_exec PROGRAM [ARGS...]\n");
    return 2;
  }
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  const long long ns = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
  setenv("KESTRIX_BENCH_T0_NS", std::to_string(ns).c_str(), 1);
  execv(argv[1], argv + 1);
  std::perror(argv[1]);
  return 127;
}
