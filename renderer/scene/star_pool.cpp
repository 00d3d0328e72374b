#include "renderer/scene/star_pool.h"

#include <new>

#include "renderer/scene/renderer_state.h"

namespace vantrel {

namespace {
void* allocateNothrow(std::size_t bytes) {
  return ::operator new(bytes, std::nothrow);
}
}  // namespace

StarParticle* createStarPool(SceneRandom& random, PoolAllocator allocate) {
  if (allocate == nullptr) allocate = allocateNothrow;
  void* storage = allocate(sizeof(StarParticle) * kStarPoolSize);
  if (storage == nullptr) return nullptr;
  auto* pool = static_cast<StarParticle*>(storage);
  for (int i = 0; i < kStarPoolSize; ++i) new (&pool[i]) StarParticle(random);
  return pool;
}

void destroyStarPool(StarParticle* pool) {
  if (pool == nullptr) return;
  for (int i = 0; i < kStarPoolSize; ++i) pool[i].~StarParticle();
  ::operator delete(pool);
}

}  // namespace vantrel
