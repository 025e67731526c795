#include "model/Operations.h"

#include <gtest/gtest.h>

#include <string>

namespace ornival {
namespace {

TEST(Operations, QueuesAreMadeOnceWithTheirSettings) {
  const auto operations = Operations::create();
  struct Row {
    const std::shared_ptr<OperationQueue>& queue;
    std::string name;
    int width;
    QualityOfService quality;
  };
  const Row rows[] = {
      {operations->neighborQueue(), "Neighbor queue", -1, QualityOfService::userInitiated},
      {operations->selectQueue(), "Select queue", 1, QualityOfService::userInitiated},
      {Operations::exportQueue(), "Export queue", 2, QualityOfService::utility},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_NE(row.queue, nullptr);
    EXPECT_EQ(row.queue->name(), row.name);
    EXPECT_EQ(row.queue->maxConcurrentOperationCount(), row.width);
    EXPECT_EQ(row.queue->qualityOfService(), row.quality);
  }
  EXPECT_EQ(operations->neighborQueue(), operations->neighborQueue());
  EXPECT_NE(operations->neighborQueue(), operations->selectQueue());

  // Each window has its own pair; the export queue is the process's.
  const auto other = Operations::create();
  EXPECT_NE(other->neighborQueue(), operations->neighborQueue());
  EXPECT_NE(other->selectQueue(), operations->selectQueue());
  EXPECT_EQ(Operations::exportQueue(), Operations::exportQueue());
}

}  // namespace
}  // namespace ornival
