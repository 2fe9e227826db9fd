#pragma once

#include "declaration/AssistantTable.h"

namespace zem {

class FeederRegistry;
struct FeederContext;

// Registers the six box assistants for the boxes they feed (115, 102, 125, 520, 200 and 201). The registry
// must outlive its openers: the exempt and non-taxable assistants open the legal-norms register through it.
void registerAssistants(FeederRegistry& registry);

// Opens an assistant modally over the context's declaration and returns when it closes.
void openAssistant(AssistantKind kind, const FeederContext& context, const FeederRegistry& registry);

}  // namespace zem
