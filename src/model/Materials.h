#pragma once

#include "model/MaterialProperty.h"
#include "platform/Material.h"

#include <memory>
#include <unordered_map>

namespace ornival {

// A link that does not keep its target alive and empties when the target goes.
template <typename T>
struct Weak {
  std::weak_ptr<T> value;
};

// Whether the 3D view renders with physically based lighting. The editor
// clears it when its renderer cannot; nothing sets it again. Read once for the
// base material's lighting model, and again for every new material's
// metalness and roughness.
extern bool metalRenderingEnabled;

// One shared material per distinct set of material values. Tiles own their
// materials (through their geometries); the cache only points at them, so a
// material lives exactly as long as some tile shows it.
//
// Main thread only: nothing here is locked. A worker that makes a scene of
// its own keeps its materials in a PrivateCache.
class Materials {
public:
  using Cache = std::unordered_map<MaterialProperty, Weak<Material>>;

  // While one lives, material() on its thread finds and keeps materials in a
  // cache of its own instead of the shared one: how a thread other than the
  // main one makes the materials of a scene it draws itself (a thumbnail).
  // Made and dropped on the same thread, innermost first.
  class PrivateCache {
  public:
    PrivateCache();
    ~PrivateCache();
    PrivateCache(const PrivateCache&) = delete;
    PrivateCache& operator=(const PrivateCache&) = delete;

  private:
    Cache entries_;
    Cache* previous_;
  };

  // The material for these values: the one already made while it still
  // exists, else a new one made from the base material. A number that is not
  // finite counts as 0, so such requests share the entry of those values and
  // the cache stays bounded. A key with fewer than three bands is a
  // programming error.
  static std::shared_ptr<Material> material(const MaterialProperty& property);

  // Entries stay until the editor prunes them; an entry whose material has
  // gone is rebuilt by the next request for its key.
  static Cache& cache();
  // Made on first use, by whichever thread comes first, and kept: the
  // lighting model is decided once.
  static const std::shared_ptr<Material>& baseMaterial();

  // Forgets the cache and the base material and sets metalRenderingEnabled
  // again, so that each test starts from a fresh process's state.
  static void resetForTesting();
};

}  // namespace ornival
