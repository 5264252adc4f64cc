// Runs a program with its standard input and output on non-blocking pipes,
// as a parent's pipes may be: the program finds its input empty at first,
// and its output full before anything is taken from it. Feeds it this
// helper's standard input, passes on all it printed, and ends with its
// exit status, or 3 if it used the processor while it waited.
//
//     nonblocking_pipes PROGRAM [ARGUMENT]... < answers > dialogue
#include <climits>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <iostream>
#include <iterator>
#include <string>

namespace {

// Waits until `fd` is ready for `event`.
void await(int fd, short event) {
  pollfd waiting = {fd, event, 0};
  poll(&waiting, 1, -1);
}

} // namespace

int main(int argc, char *argv[]) {
  if (argc < 2) {
    std::cerr << "usage: nonblocking_pipes PROGRAM [ARGUMENT]...\n";
    return 2;
  }
  const std::string input(std::istreambuf_iterator<char>(std::cin), {});
  int in[2];
  int out[2];
  if (pipe2(in, O_NONBLOCK) != 0 || pipe2(out, O_NONBLOCK) != 0) {
    return 2;
  }
  const pid_t child = fork();
  if (child == 0) {
    dup2(in[0], STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    close(in[0]);
    close(in[1]);
    close(out[0]);
    close(out[1]);
    execv(argv[1], argv + 1);
    _exit(127);
  }
  close(in[0]);
  close(out[1]);

  // Nothing to read for a second: the program must wait for its answers
  // without spinning.
  sleep(1);
  for (std::size_t sent = 0; sent < input.size();) {
    const ssize_t put = write(in[1], input.data() + sent, input.size() - sent);
    if (put > 0) {
      sent += static_cast<std::size_t>(put);
    } else {
      await(in[1], POLLOUT);
    }
  }
  close(in[1]);

  // Nothing taken yet: the program must wait until its output drains. The
  // pipe is full when less than PIPE_BUF is free (a short write then fails
  // whole) and nothing more comes.
  int status = 0;
  pid_t ended = 0;
  rusage used = {};
  const int nearlyFull = fcntl(out[0], F_GETPIPE_SZ) - PIPE_BUF;
  for (int queued = 0, before = -1, still = 0;
       still < 5 && (ended = wait4(child, &status, WNOHANG, &used)) == 0;
       before = queued) {
    usleep(10000);
    ioctl(out[0], FIONREAD, &queued);
    still = queued > nearlyFull && queued == before ? still + 1 : 0;
  }

  char buffer[4096];
  for (;;) {
    const ssize_t got = read(out[0], buffer, sizeof buffer);
    if (got == 0) {
      break;
    }
    if (got > 0) {
      std::cout.write(buffer, got);
    } else {
      await(out[0], POLLIN);
    }
  }
  if (ended == 0) {
    wait4(child, &status, 0, &used);
  }
  const double seconds = static_cast<double>(used.ru_utime.tv_sec) +
                         static_cast<double>(used.ru_utime.tv_usec) / 1e6 +
                         static_cast<double>(used.ru_stime.tv_sec) +
                         static_cast<double>(used.ru_stime.tv_usec) / 1e6;
  if (seconds > 0.5) {
    std::cerr << "the program spun while it waited: " << seconds
              << " s of processor time\n";
    return 3;
  }
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}
