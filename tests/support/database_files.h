// Database files built inside a test.
#pragma once

#include <QTemporaryDir>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "store/card_database.h"

inline std::vector<uint8_t> ReadAll(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteAll(const std::filesystem::path& p, const std::vector<uint8_t>& bytes) {
  std::ofstream out(p, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

// Bytes with a recognisable value at every position: (seed + index * 7) mod 251.
inline std::vector<uint8_t> PatternBytes(std::size_t size, unsigned seed = 1) {
  std::vector<uint8_t> v(size);
  for (std::size_t i = 0; i < size; ++i) v[i] = uint8_t((seed + i * 7) % 251);
  return v;
}

inline std::vector<uint8_t> RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 gen(seed);
  std::vector<uint8_t> v(size);
  for (auto& b : v) b = uint8_t(gen());
  return v;
}

// A card that counts as present, with a name and an object.
inline void FillCard(CardRecord& c, const char* name, const char* object, double lastChange) {
  c = CardRecord{};
  std::snprintf(c.CardName, sizeof c.CardName, "%s", name);
  std::snprintf(c.ObjectName, sizeof c.ObjectName, "%s", object);
  std::snprintf(c.Image.ImageName, sizeof c.Image.ImageName, "%s", name);
  c.LastChange = lastChange;
}
