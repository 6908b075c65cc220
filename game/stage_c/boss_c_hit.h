// Boss C's hit-flash entry point: sets its hit-flash flag; the body draw clears it.
#pragma once

void FlashBossC();
