#pragma once

// After a crash: offers to mail the game's log to the developer through the
// user's mail program.
void OfferCrashReport();
