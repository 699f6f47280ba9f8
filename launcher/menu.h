#pragma once

// Shows the autorun menu; true when the user chose Play.
bool RunMenu();
