// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <dirent.h>
#include <sys/types.h>
#include <unistd.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace brevio::bench {

// A number from /proc/<pid>/status, such as "VmRSS" (kB); -1 when there is none.
inline long ProcStatus(pid_t pid, const std::string& key, const std::string& task = "") {
  std::ifstream status("/proc/" + std::to_string(pid) + task + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind(key + ":", 0) == 0) return std::stol(line.substr(key.size() + 1));
  }
  return -1;
}

// `key` of each thread of the process (voluntary_ctxt_switches, say), by thread id.
inline std::map<std::string, long> ThreadsStatus(pid_t pid, const std::string& key) {
  std::map<std::string, long> counts;
  const std::string folder = "/proc/" + std::to_string(pid) + "/task";
  DIR* tasks = opendir(folder.c_str());
  if (tasks == nullptr) return counts;
  while (const dirent* task = readdir(tasks)) {
    if (task->d_name[0] == '.') continue;
    counts[task->d_name] = ProcStatus(pid, key, "/task/" + std::string(task->d_name));
  }
  closedir(tasks);
  return counts;
}

// How much the counts of the threads alive at `after` grew since `before` (a thread started in
// between counts from zero). A thread that ended meanwhile (Qt's thread pool ends its idle
// threads after 30 s) takes its whole count with it, so it is left out rather than subtracted.
inline long Grown(const std::map<std::string, long>& before,
                  const std::map<std::string, long>& after) {
  long sum = 0;
  for (const auto& [task, count] : after) {
    const auto earlier = before.find(task);
    sum += count - (earlier == before.end() ? 0 : earlier->second);
  }
  return sum;
}

// User plus system CPU time of the process so far, in seconds.
inline double CpuSeconds(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  // Fields after the command name (which may hold blanks), from field 3 on; utime and stime
  // are fields 14 and 15.
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  double ticks = 0;
  for (int number = 3; number <= 15 && fields >> field; ++number) {
    if (number >= 14) ticks += std::stod(field);
  }
  return ticks / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// Time on a processor of all threads of the process so far, in seconds, to the nanosecond (the
// scheduler's own count, first field of each thread's schedstat).
inline double ScheduledSeconds(pid_t pid) {
  double sum = 0;
  const std::string folder = "/proc/" + std::to_string(pid) + "/task";
  DIR* tasks = opendir(folder.c_str());
  if (tasks == nullptr) return -1;
  while (const dirent* task = readdir(tasks)) {
    if (task->d_name[0] == '.') continue;
    std::ifstream schedstat(folder + "/" + task->d_name + "/schedstat");
    double nanoseconds = 0;
    schedstat >> nanoseconds;
    sum += nanoseconds / 1e9;
  }
  closedir(tasks);
  return sum;
}

}  // namespace brevio::bench
