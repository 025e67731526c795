#include "platform/LayerAnimation.h"

namespace ornival {

namespace {
thread_local bool actionsDisabled = false;
}

LayerTransaction::LayerTransaction() : previous_(actionsDisabled) {}

LayerTransaction::~LayerTransaction() { actionsDisabled = previous_; }

void LayerTransaction::setDisableActions(bool disable) { actionsDisabled = disable; }

bool LayerTransaction::disablesActions() { return actionsDisabled; }

}  // namespace ornival
