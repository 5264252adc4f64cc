// measure INPUT OUTPUT PROGRAM: runs PROGRAM with standard input from INPUT
// and standard output to OUTPUT, then prints its wall seconds and peak
// resident kibibytes. A small parent of its own keeps the peak the
// program's: a child forked from a large process would start at that
// process's size.
#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char **argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: measure INPUT OUTPUT PROGRAM\n");
    return 2;
  }
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    const int in = open(argv[1], O_RDONLY);
    const int out = open(argv[2], O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (in < 0 || out < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0) {
      _exit(127);
    }
    execl(argv[3], argv[3], static_cast<char *>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  if (child < 0 || wait4(child, &status, 0, &usage) < 0) {
    return 2;
  }
  const std::chrono::duration<double> seconds =
      std::chrono::steady_clock::now() - start;
  std::printf("%.6f %ld\n", seconds.count(), usage.ru_maxrss);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
