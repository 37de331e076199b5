#include "update/WalkState.h"

namespace update {

WalkState& sharedWalkState() {
  static WalkState state;
  return state;
}

}  // namespace update
