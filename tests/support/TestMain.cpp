#include <clocale>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  // Number texts are compared character for character; they must not follow the machine's locale.
  std::setlocale(LC_ALL, "C");
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
