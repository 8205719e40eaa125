// Any 973 bytes must decode, and encode back to the same bytes.
#include <cstdlib>
#include <cstring>

#include "core/CalculationBlockCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  pramo::CalculationBlock block{};
  std::memcpy(block.data(), data, std::min(size, block.size()));
  const pramo::CalculationState state = pramo::DecodeBlock(block);
  if (pramo::EncodeBlock(state) != block) std::abort();
  return 0;
}
