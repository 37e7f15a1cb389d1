// Start-up measurement: runs the program on a 998-day program folder, the bare Qt window
// program, the bare program with two lines of Japanese text, and the program on the same
// folder with a 10,000-day archive in turn, each until its
// first painted frame (offscreen), and prints for each the wall time of every run and
// its peak resident memory, as JSON.
//   bench_start PROGRAM BARE [RUNS]
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "bench/bench_data.h"

extern char** environ;

namespace {

struct Run {
  double wallMs = 0;
  long maxRssKb = 0;
  bool ok = false;
};

// Runs `path` to its end with the environment `env`; a run that takes longer than
// 30 seconds (the program stuck in a message box) is killed and counts as failed.
Run RunOnce(const std::string& path, const char* argument, std::vector<char*>& env) {
  Run run;
  char* argv[] = {const_cast<char*>(path.c_str()), const_cast<char*>(argument), nullptr};
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, env.data()) != 0) return run;
  std::atomic<bool> done{false};
  std::thread watchdog([&] {
    for (int i = 0; i < 3000 && !done; ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    if (!done) kill(pid, SIGKILL);
  });
  int status = 0;
  rusage usage{};
  const pid_t waited = wait4(pid, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  done = true;
  watchdog.join();
  run.wallMs = std::chrono::duration<double, std::milli>(end - start).count();
  run.maxRssKb = usage.ru_maxrss;
  run.ok = waited == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return run;
}

void PrintSeries(const char* name, const std::vector<Run>& runs, bool last) {
  std::printf("  \"%s\": {\"wall_ms\": [", name);
  for (size_t i = 0; i < runs.size(); ++i)
    std::printf("%s%.2f", i ? ", " : "", runs[i].wallMs);
  std::printf("], \"max_rss_kb\": [");
  for (size_t i = 0; i < runs.size(); ++i)
    std::printf("%s%ld", i ? ", " : "", runs[i].maxRssKb);
  std::printf("]}%s\n", last ? "" : ",");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: bench_start PROGRAM BARE [RUNS]\n");
    return 2;
  }
  const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 10;

  // The program finds its files beside itself: give it a folder of its own.
  QTemporaryDir dir;
  const QString program = dir.path() + QStringLiteral("/rdx508");
  if (!dir.isValid() || !rdx508::bench::WriteProgramFolder(dir.path(), 998) ||
      !QFile::copy(QString::fromLocal8Bit(argv[1]), program)) {
    std::fprintf(stderr, "bench_start: cannot prepare the program folder\n");
    return 1;
  }

  // The same folder with a 10,000-day archive beside the day file.
  QTemporaryDir archiveDir;
  const QString archiveProgram = archiveDir.path() + QStringLiteral("/rdx508");
  QFile archive(archiveDir.path() + QStringLiteral("/RDX508_ARCHIVE.TXT"));
  if (!archiveDir.isValid() || !rdx508::bench::WriteProgramFolder(archiveDir.path(), 998) ||
      !QFile::copy(QString::fromLocal8Bit(argv[1]), archiveProgram) || !archive.open(QIODevice::WriteOnly) ||
      archive.write(rdx508::bench::ArchiveFileBytes(10000)) < 0 || !archive.flush()) {
    std::fprintf(stderr, "bench_start: cannot prepare the program folder with an archive\n");
    return 1;
  }
  archive.close();

  std::vector<std::string> envText;
  for (char** e = environ; *e; ++e) {
    const std::string entry(*e);
    if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 && entry.rfind("RDX508_QUIT_AFTER_FIRST_FRAME=", 0) != 0)
      envText.push_back(entry);
  }
  envText.push_back("QT_QPA_PLATFORM=offscreen");
  envText.push_back("RDX508_QUIT_AFTER_FIRST_FRAME=1");
  std::vector<char*> env;
  for (std::string& e : envText)
    env.push_back(e.data());
  env.push_back(nullptr);

  const std::string paths[4] = {program.toStdString(), argv[2], argv[2], archiveProgram.toStdString()};
  const char* arguments[4] = {nullptr, nullptr, "--text", nullptr};
  std::vector<Run> results[4];
  for (int i = -1; i < runs; ++i) {  // the first round warms the file cache and is not kept
    for (int k = 0; k < 4; ++k) {
      const Run run = RunOnce(paths[k], arguments[k], env);
      if (!run.ok) {
        std::fprintf(stderr, "bench_start: %s did not end cleanly after its first frame\n", paths[k].c_str());
        return 1;
      }
      if (i >= 0) results[k].push_back(run);
    }
  }
  std::printf("{\n");
  PrintSeries("program", results[0], false);
  PrintSeries("bare", results[1], false);
  PrintSeries("bare_text", results[2], false);
  PrintSeries("program_archive", results[3], true);
  std::printf("}\n");
  return 0;
}
