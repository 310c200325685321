#pragma once
// The editors of the fan chants, the own chants and the half-time talks.

namespace v3 {

class CEditorRegistry;

// Registers the menu entries of these editors.
void RegisterFangesangEditors(CEditorRegistry& editors);

}  // namespace v3
