// End-to-end checks of the octant_pi executable as a user meets it: the exact bytes it prints,
// its exit status and how it treats standard input, arguments, environment and a failing
// standard output. Runs on the build host (POSIX) and starts the program through whatever
// command line follows "--", so a cross build passes its emulator in front of the program.
//
//   run_octant_pi CASE EXPECTED_OUTPUT LF|CRLF -- COMMAND...
#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using clock_type = std::chrono::steady_clock;

// Generous enough for the slowest emulator; a hung program fails the case instead of CTest.
constexpr std::chrono::seconds time_limit{120};

enum class input_kind { text, closed, held_open };

struct launch {
  std::vector<std::string> command;
  input_kind input = input_kind::text;
  std::string input_text;
  bool output_to_full_device = false;
  std::vector<std::string> extra_args;
  std::vector<std::pair<std::string, std::string>> extra_env;
};

[[noreturn]] void die(const std::string& what) {
  std::cerr << "run_octant_pi: " << what << ": " << std::strerror(errno) << '\n';
  std::exit(2);
}

// One started program with pipes on its standard streams.
class child {
 public:
  explicit child(const launch& how) {
    int in[2] = {-1, -1};
    int out[2] = {-1, -1};
    int err[2] = {-1, -1};
    if ((how.input != input_kind::closed && pipe(in) != 0) ||
        (!how.output_to_full_device && pipe(out) != 0) || pipe(err) != 0) {
      die("pipe");
    }
    pid_ = fork();
    if (pid_ < 0) {
      die("fork");
    }
    if (pid_ == 0) {
      become_program(how, in, out, err);
    }
    close_fd(in[0]);
    close_fd(out[1]);
    close_fd(err[1]);
    stdin_ = in[1];
    stdout_ = out[0];
    stderr_ = err[0];
    if (how.input == input_kind::text) {
      write_input(how.input_text);
      close_input();
    }
  }

  child(const child&) = delete;
  child& operator=(const child&) = delete;

  ~child() {
    if (!exited_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
    close_fd(stdin_);
    close_fd(stdout_);
    close_fd(stderr_);
  }

  void write_input(const std::string& text) {
    if (write(stdin_, text.data(), text.size()) != static_cast<ssize_t>(text.size())) {
      std::cerr << "run_octant_pi: could not write to the program's standard input\n";
    }
  }

  void close_input() { close_fd(stdin_); }

  // Collects output until `done` holds, the program has exited or the time limit has passed.
  // Returns whether `done` held.
  bool read_until(const std::function<bool()>& done) {
    const auto deadline = clock_type::now() + time_limit;
    while (!done()) {
      if (exited_ || clock_type::now() > deadline) {
        return done();
      }
      pump(50);
      reap();
    }
    return true;
  }

  // Waits for the exit within the time limit; -1 when killed or out of time.
  int wait_exit() {
    read_until([this] { return exited_; });
    if (!exited_) {
      return -1;
    }
    pump(0);  // what the program wrote before it ended is in the pipes already
    return WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
  }

  bool running() {
    reap();
    return !exited_;
  }

  const std::string& out() const { return out_; }
  const std::string& err() const { return err_; }

 private:
  [[noreturn]] static void become_program(const launch& how, const int in[2], const int out[2],
                                          const int err[2]) {
    if (how.input == input_kind::closed) {
      close(STDIN_FILENO);
    } else {
      dup2(in[0], STDIN_FILENO);
    }
    if (how.output_to_full_device) {
      const int full = open("/dev/full", O_WRONLY);
      dup2(full, STDOUT_FILENO);
    } else {
      dup2(out[1], STDOUT_FILENO);
    }
    dup2(err[1], STDERR_FILENO);
    for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]}) {
      if (fd > STDERR_FILENO) {
        close(fd);
      }
    }
    for (const auto& [name, value] : how.extra_env) {
      setenv(name.c_str(), value.c_str(), 1);
    }
    std::vector<std::string> words = how.command;
    words.insert(words.end(), how.extra_args.begin(), how.extra_args.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
      argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    execvp(argv[0], argv.data());
    std::perror("run_octant_pi: exec");
    _exit(127);
  }

  static void close_fd(int& fd) {
    if (fd >= 0) {
      close(fd);
      fd = -1;
    }
  }

  void pump(int timeout_ms) {
    for (;;) {
      pollfd fds[2] = {{stdout_, POLLIN, 0}, {stderr_, POLLIN, 0}};
      if (poll(fds, 2, timeout_ms) <= 0) {
        return;
      }
      timeout_ms = 0;
      drain(fds[0], stdout_, out_);
      drain(fds[1], stderr_, err_);
    }
  }

  static void drain(const pollfd& p, int& fd, std::string& into) {
    if (fd < 0 || (p.revents & (POLLIN | POLLHUP)) == 0) {
      return;
    }
    char buffer[4096];
    const ssize_t got = read(fd, buffer, sizeof buffer);
    if (got <= 0) {
      close_fd(fd);
    } else {
      into.append(buffer, static_cast<std::size_t>(got));
    }
  }

  void reap() {
    if (!exited_ && waitpid(pid_, &status_, WNOHANG) == pid_) {
      exited_ = true;
    }
  }

  pid_t pid_ = -1;
  int status_ = 0;
  bool exited_ = false;
  int stdin_ = -1;
  int stdout_ = -1;
  int stderr_ = -1;
  std::string out_;
  std::string err_;
};

struct context {
  std::vector<std::string> command;
  std::string expected;  // the exact bytes of standard output, line ends included
};

int failures = 0;

// The exit status by which CTest reports a case as skipped (SKIP_RETURN_CODE).
constexpr int skipped = 77;

[[noreturn]] void skip(const std::string& why) {
  std::cout << "skipped: " << why << '\n';
  std::exit(skipped);
}

void expect(bool ok, const std::string& what) {
  if (!ok) {
    std::cout << "FAILED: " << what << '\n';
    ++failures;
  }
}

void expect_output(const child& run, const context& ctx) {
  expect(run.out() == ctx.expected, "standard output is not the expected twenty lines; it was:\n" +
                                        run.out() + "[end of output]");
}

// A successful run: status 0, exactly the expected output, nothing on standard error.
void expect_clean_run(launch how, const context& ctx) {
  how.command = ctx.command;
  child run(how);
  const int status = run.wait_exit();
  expect(status == 0, "exit status " + std::to_string(status) + ", expected 0");
  expect_output(run, ctx);
  expect(run.err().empty(), "standard error is not empty: " + run.err());
}

launch with_input(const std::string& text) {
  launch how;
  how.input_text = text;
  return how;
}

void case_enter(const context& ctx) { expect_clean_run(with_input("\n"), ctx); }

void case_input_at_end_of_file(const context& ctx) { expect_clean_run(with_input(""), ctx); }

void case_input_closed(const context& ctx) {
  launch how;
  how.input = input_kind::closed;
  expect_clean_run(how, ctx);
}

void case_several_characters(const context& ctx) {
  expect_clean_run(with_input("yes\nno\nq\n"), ctx);
}

void case_binary_input(const context& ctx) {
  std::string bytes;
  for (int b = 0; b < 256; ++b) {
    bytes.push_back(static_cast<char>(b));
  }
  expect_clean_run(with_input(bytes), ctx);
}

void case_arguments_ignored(const context& ctx) {
  launch how = with_input("\n");
  how.extra_args = {"--help", "-n", "10", "two words", ""};
  expect_clean_run(how, ctx);
}

// Whether this machine has a locale whose decimal point is a comma.
bool has_german_locale() {
  const locale_t german = newlocale(LC_NUMERIC_MASK, "de_DE.UTF-8", nullptr);
  if (german == nullptr) {
    return false;
  }
  const bool comma = std::string(nl_langinfo_l(RADIXCHAR, german)) == ",";
  freelocale(german);
  return comma;
}

void case_environment_ignored(const context& ctx) {
  // A German locale would print a decimal comma, were the program to adopt it; without one the
  // case could not fail.
  if (!has_german_locale()) {
    skip("no de_DE.UTF-8 locale with a decimal comma on this machine");
  }
  launch how = with_input("\n");
  how.extra_env = {{"LC_ALL", "de_DE.UTF-8"},
                   {"LANG", "de_DE.UTF-8"},
                   {"LC_NUMERIC", "de_DE.UTF-8"},
                   {"POSIXLY_CORRECT", "1"}};
  expect_clean_run(how, ctx);
}

void case_output_fails(const context& ctx) {
  launch how;
  how.command = ctx.command;
  how.input = input_kind::held_open;  // nothing ever arrives: the program must not wait for it
  how.output_to_full_device = true;
  child run(how);
  const int status = run.wait_exit();
  expect(status == 1, "exit status " + std::to_string(status) +
                          ", expected 1 at once while standard input stays open");
  expect(run.err().find("standard output") != std::string::npos,
         "standard error does not name the failed write: " + run.err());
}

void case_lines_arrive_before_the_wait(const context& ctx) {
  launch how;
  how.command = ctx.command;
  how.input = input_kind::held_open;
  child run(how);
  const bool all_lines = run.read_until([&] { return run.out().size() >= ctx.expected.size(); });
  expect(all_lines, "the twenty lines did not arrive on the pipe while input was held open");
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  expect(run.running(), "the program ended without waiting for a character");
  run.write_input("x");
  const int status = run.wait_exit();
  expect(status == 0, "exit status " + std::to_string(status) + " after one character, expected 0");
  expect_output(run, ctx);
  expect(run.err().empty(), "standard error is not empty: " + run.err());
}

std::string read_expected(const std::string& path, const std::string& line_end) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    die("cannot read " + path);
  }
  std::ostringstream text;
  text << file.rdbuf();
  if (line_end == "LF") {
    return text.str();
  }
  std::string crlf;
  for (char c : text.str()) {
    if (c == '\n') {
      crlf += '\r';
    }
    crlf += c;
  }
  return crlf;
}

}  // namespace

int main(int argc, char** argv) {
  signal(SIGPIPE, SIG_IGN);  // a program that is gone shows as a failed write, not our death
  const std::map<std::string, void (*)(const context&)> cases = {
      {"enter", case_enter},
      {"input_at_end_of_file", case_input_at_end_of_file},
      {"input_closed", case_input_closed},
      {"several_characters", case_several_characters},
      {"binary_input", case_binary_input},
      {"arguments_ignored", case_arguments_ignored},
      {"environment_ignored", case_environment_ignored},
      {"output_fails", case_output_fails},
      {"lines_arrive_before_the_wait", case_lines_arrive_before_the_wait},
  };
  if (argc < 6 || std::string(argv[4]) != "--" || cases.count(argv[1]) == 0 ||
      (std::string(argv[3]) != "LF" && std::string(argv[3]) != "CRLF")) {
    std::cerr << "usage: run_octant_pi CASE EXPECTED_OUTPUT LF|CRLF -- COMMAND...\ncases:";
    for (const auto& entry : cases) {
      std::cerr << ' ' << entry.first;
    }
    std::cerr << '\n';
    return 2;
  }
  const context ctx{std::vector<std::string>(argv + 5, argv + argc),
                    read_expected(argv[2], argv[3])};
  cases.at(argv[1])(ctx);
  std::cout << (failures == 0 ? "passed" : "failed") << ": " << argv[1] << '\n';
  return failures == 0 ? 0 : 1;
}
