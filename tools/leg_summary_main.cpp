// A short account, for people, of each leg in an event log (a file, or
// standard input): its checkpoints, its points and the verdict.
//
//   aerotrace-leg-summary [EVENTS.jsonl]

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "replay/leg_summary.h"

int main(int argc, char** argv) {
  if (argc > 2) {
    std::fprintf(stderr, "usage: aerotrace-leg-summary [EVENTS.jsonl]\n");
    return 2;
  }
  std::ifstream file;
  if (argc == 2) {
    file.open(argv[1], std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "aerotrace-leg-summary: cannot read %s\n", argv[1]);
      return 2;
    }
  }
  std::istream& in = argc == 2 ? static_cast<std::istream&>(file) : std::cin;
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  std::fputs(aerotrace::legSummary(lines).c_str(), stdout);
  return 0;
}
