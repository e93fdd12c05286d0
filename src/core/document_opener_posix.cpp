// The Linux opener: xdg-open, started in a session of its own with its
// standard streams on /dev/null, so it neither blocks the caller nor holds
// the caller's terminal or pipes. A waiting thread collects it when it ends.
// Failures (no xdg-open, no browser) are not looked at.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <string>
#include <thread>

#include "core/document_opener.h"

extern char** environ;

namespace aerotrace {
namespace {

class XdgOpener final : public DocumentOpener {
 public:
  void open(const std::string& url) override {
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    for (int fd = 0; fd <= 2; ++fd) {
      posix_spawn_file_actions_addopen(&files, fd, "/dev/null", fd == 0 ? O_RDONLY : O_WRONLY, 0);
    }
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);

    std::string program = "xdg-open";
    std::string argument = url;
    char* argv[] = {program.data(), argument.data(), nullptr};
    pid_t pid = -1;
    const int failed = posix_spawnp(&pid, argv[0], &files, &attributes, argv, environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&files);
    if (failed != 0) return;
    std::thread([pid] {
      int status = 0;
      while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
      }
    }).detach();
  }
};

}  // namespace

std::unique_ptr<DocumentOpener> createSystemDocumentOpener() {
  return std::make_unique<XdgOpener>();
}

}  // namespace aerotrace
