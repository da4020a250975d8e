#pragma once

// The app's look, set once before any view is created: the Basic controls
// style and Inter for every text, plain Text items and controls alike. The
// app, its screenshot tool and its view tests all go through here.
namespace Appearance {
void apply();
}
