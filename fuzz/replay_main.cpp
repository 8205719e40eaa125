// Runs a fuzz target without libFuzzer: every file given, and for each a few hundred mutants made from it
// with a fixed seed (bytes overwritten, cut, flipped), so that a GCC build runs the corpus as a test.
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv) {
  constexpr int kMutantsPerInput = 300;
  std::mt19937 random(12);
  int runs = 0;
  for (int i = 1; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    if (!in) {
      std::cerr << "cannot read " << argv[i] << "\n";
      return 2;
    }
    const std::vector<std::uint8_t> input{std::istreambuf_iterator<char>(in), {}};
    LLVMFuzzerTestOneInput(input.data(), input.size());
    ++runs;
    for (int m = 0; m < kMutantsPerInput && !input.empty(); ++m, ++runs) {
      std::vector<std::uint8_t> mutant = input;
      for (int k = 1 + static_cast<int>(random() % 4); k > 0; --k) {
        const std::size_t at = random() % mutant.size();
        mutant[at] = random() % 3 == 0 ? static_cast<std::uint8_t>(mutant[at] ^ (1u << random() % 8))
                                       : static_cast<std::uint8_t>(random());
      }
      if (random() % 10 == 0) mutant.resize(random() % mutant.size());
      LLVMFuzzerTestOneInput(mutant.data(), mutant.size());
    }
  }
  std::cout << runs << " inputs\n";
  return 0;
}
