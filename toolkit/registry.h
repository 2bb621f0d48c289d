#pragma once
// One number space of toolkit objects (windows, gadgets, images, listings,
// libraries): small non-negative numbers chosen by the caller. Each object
// owns its platform object, so erasing it releases that object.
#include <map>
#include <memory>
#include <utility>

template <class Object>
class Registry {
 public:
  // The object under the number, or null when the number names nothing.
  Object* find(int number) const {
    auto it = objects_.find(number);
    return it == objects_.end() ? nullptr : it->second.get();
  }

  // Stores a new object; an object already under the number is released first.
  Object& create(int number, std::unique_ptr<Object> object) {
    release(number);
    return *(objects_[number] = std::move(object));
  }

  void release(int number) {
    auto it = objects_.find(number);
    if (it == objects_.end()) return;
    // Take it out before it is destroyed: its release may call back into the registry.
    std::unique_ptr<Object> doomed = std::move(it->second);
    objects_.erase(it);
  }

  void releaseAll() {
    while (!objects_.empty()) release(objects_.begin()->first);
  }

  template <class Visit>
  void forEach(Visit visit) const {
    for (const auto& [number, object] : objects_) visit(number, *object);
  }

  bool empty() const { return objects_.empty(); }

 private:
  std::map<int, std::unique_ptr<Object>> objects_;
};
