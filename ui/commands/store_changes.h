#pragma once
// Putting a set of changed values back into the editor: the stores, every control, the graph,
// and the processor (paced like any edit; kept for the next link while off line).

#include <vector>

#include "core/edit_history.h"
#include "core/model.h"
#include "core/parameter_sink.h"
#include "ui/commands/strip_commands.h"

namespace aec {

enum class ChangeSide { kBefore, kAfter };

// Writes each change's `side` value, shows the stores on every control and the graph, then
// sends the values through `sink`. The history's starting point moves to the result.
void applyChanges(Model& model, ParameterSink& sink, ViewHost& host,
                  const std::vector<StoreChange>& changes, ChangeSide side);

}  // namespace aec
