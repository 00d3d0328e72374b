#pragma once
#include <cstddef>

#include "renderer/scene/scene_random.h"
#include "renderer/scene/star_particle.h"

namespace vantrel {

// Allocates raw storage (released with ::operator delete), or returns
// nullptr; lets tests make the allocation fail.
using PoolAllocator = void* (*)(std::size_t bytes);

// Builds the pool of kStarPoolSize stars in index order, each drawing its
// respawn from `random`. Returns nullptr when the storage cannot be had.
StarParticle* createStarPool(SceneRandom& random,
                             PoolAllocator allocate = nullptr);
void destroyStarPool(StarParticle* pool);

}  // namespace vantrel
