#include "core/AppState.h"

#include "core/LearningProgress.h"
#include "core/WindowClaims.h"

AppState& appState()
{
    static AppState state;
    return state;
}

void resetAppState()
{
    appState() = AppState{};
    WindowClaims::releaseAll();
    learningProgress() = LearningProgress{};
}
