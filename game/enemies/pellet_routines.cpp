// The pellet pools' own move and draw routines: each is the numbered pool of the shared table.
#include "game/enemies/enemy_bullets.h"

void MovePellets01() {
    MovePellets(1);
}
void MovePellets02() {
    MovePellets(2);
}
void MovePellets03() {
    MovePellets(3);
}
void MovePellets04() {
    MovePellets(4);
}
void MovePellets05() {
    MovePellets(5);
}
void MovePellets06() {
    MovePellets(6);
}
void MovePellets07() {
    MovePellets(7);
}
void MovePellets08() {
    MovePellets(8);
}
void MovePellets09() {
    MovePellets(9);
}
void MovePellets10() {
    MovePellets(10);
}
void MovePellets11() {
    MovePellets(11);
}
void MovePellets12() {
    MovePellets(12);
}
void MovePellets13() {
    MovePellets(13);
}
void MovePellets14() {
    MovePellets(14);
}
void MovePellets15() {
    MovePellets(15);
}
void MovePellets16() {
    MovePellets(16);
}
void MovePellets17() {
    MovePellets(17);
}
void MovePellets18() {
    MovePellets(18);
}
void MovePellets19() {
    MovePellets(19);
}
void MovePellets20() {
    MovePellets(20);
}
void MovePellets21() {
    MovePellets(21);
}
void MovePellets22() {
    MovePellets(22);
}
void MovePellets23() {
    MovePellets(23);
}
void MovePellets24() {
    MovePellets(24);
}
void MovePellets25() {
    MovePellets(25);
}
void MovePellets26() {
    MovePellets(26);
}
void MovePellets27() {
    MovePellets(27);
}
void MovePellets28() {
    MovePellets(28);
}
void MovePellets29() {
    MovePellets(29);
}
void MovePellets30() {
    MovePellets(30);
}
void MovePellets31() {
    MovePellets(31);
}
void MovePellets32() {
    MovePellets(32);
}
void MovePellets33() {
    MovePellets(33);
}
void MovePellets34() {
    MovePellets(34);
}
void MovePellets35() {
    MovePellets(35);
}
void DrawPellets01() {
    DrawPellets(1);
}
void DrawPellets02() {
    DrawPellets(2);
}
void DrawPellets03() {
    DrawPellets(3);
}
void DrawPellets04() {
    DrawPellets(4);
}
void DrawPellets05() {
    DrawPellets(5);
}
void DrawPellets06() {
    DrawPellets(6);
}
void DrawPellets07() {
    DrawPellets(7);
}
void DrawPellets08() {
    DrawPellets(8);
}
void DrawPellets09() {
    DrawPellets(9);
}
void DrawPellets10() {
    DrawPellets(10);
}
void DrawPellets11() {
    DrawPellets(11);
}
void DrawPellets12() {
    DrawPellets(12);
}
void DrawPellets13() {
    DrawPellets(13);
}
void DrawPellets14() {
    DrawPellets(14);
}
void DrawPellets15() {
    DrawPellets(15);
}
void DrawPellets16() {
    DrawPellets(16);
}
void DrawPellets17() {
    DrawPellets(17);
}
void DrawPellets18() {
    DrawPellets(18);
}
void DrawPellets19() {
    DrawPellets(19);
}
void DrawPellets20() {
    DrawPellets(20);
}
void DrawPellets21() {
    DrawPellets(21);
}
void DrawPellets22() {
    DrawPellets(22);
}
void DrawPellets23() {
    DrawPellets(23);
}
void DrawPellets24() {
    DrawPellets(24);
}
void DrawPellets25() {
    DrawPellets(25);
}
void DrawPellets26() {
    DrawPellets(26);
}
void DrawPellets27() {
    DrawPellets(27);
}
void DrawPellets28() {
    DrawPellets(28);
}
void DrawPellets29() {
    DrawPellets(29);
}
void DrawPellets30() {
    DrawPellets(30);
}
void DrawPellets31() {
    DrawPellets(31);
}
void DrawPellets32() {
    DrawPellets(32);
}
void DrawPellets33() {
    DrawPellets(33);
}
void DrawPellets34() {
    DrawPellets(34);
}
void DrawPellets35() {
    DrawPellets(35);
}
