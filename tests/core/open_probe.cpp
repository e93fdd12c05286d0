// Stands in for a browser in the shell opener's test: writes the number of
// its arguments and the address it was handed into the file it was told.
#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string record = std::to_string(argc - 2) + "|" + (argc > 2 ? argv[2] : "");
  const std::string partial = std::string(argv[1]) + ".tmp";
  std::FILE* f = std::fopen(partial.c_str(), "wb");
  if (f == nullptr) return 1;
  std::fwrite(record.data(), 1, record.size(), f);
  std::fclose(f);
  // Whole or not at all for the test that waits for it.
  return std::rename(partial.c_str(), argv[1]) == 0 ? 0 : 1;
}
