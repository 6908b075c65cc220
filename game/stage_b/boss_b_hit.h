// Boss B's hit-flash entry point: sets its hit flag; the body draw clears it.
#pragma once

void FlashBossB();
