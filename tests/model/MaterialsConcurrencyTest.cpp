#include "model/Materials.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace ornival {
namespace {

MaterialProperty values(double red) {
  return {{red, 0.0, 0.0, 1.0}, 0.5f, 0.5f, 0.0f, 0.0f, 1.0f,
          {{2.0, Color::black()}, {0.0, Color::white()}, {0.0, Color::black()}}};
}

// A thumbnail drawn on a worker makes its materials in a cache of its own
// while the main thread goes on using and pruning the shared one, the base
// material made by whichever comes first.
TEST(MaterialsConcurrencyTest, AWorkersPrivateCacheLeavesTheSharedOneToTheMainThread) {
  Materials::resetForTesting();
  std::vector<std::shared_ptr<Material>> privateOnes;
  std::thread worker([&] {
    const Materials::PrivateCache cache;
    for (int i = 0; i < 200; ++i) {
      auto material = Materials::material(values(i / 200.0));
      // Within the scope, one material per set of values, as in the shared cache.
      EXPECT_EQ(Materials::material(values(i / 200.0)), material);
      privateOnes.push_back(std::move(material));
    }
  });
  std::vector<std::shared_ptr<Material>> sharedOnes;
  for (int i = 0; i < 200; ++i) {
    sharedOnes.push_back(Materials::material(values(i / 200.0)));
    std::erase_if(Materials::cache(), [](const auto& entry) { return entry.second.value.expired(); });
  }
  worker.join();
  ASSERT_EQ(privateOnes.size(), sharedOnes.size());
  EXPECT_EQ(Materials::cache().size(), sharedOnes.size());
  for (std::size_t i = 0; i < sharedOnes.size(); ++i) {
    EXPECT_NE(privateOnes[i], sharedOnes[i]);
    EXPECT_EQ(privateOnes[i]->diffuse, sharedOnes[i]->diffuse);
    EXPECT_EQ(privateOnes[i]->shaderModifiers, sharedOnes[i]->shaderModifiers);
  }
  Materials::resetForTesting();
}

}  // namespace
}  // namespace ornival
