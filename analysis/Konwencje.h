#pragma once
// Units and signs, used by every part of the analysis ("the sign convention"):
//  - lengths and positions in m, forces in kN, moments in kNm, line loads in kN/m,
//    E in kN/m², J in m⁴;
//  - point forces and line loads positive downward;
//  - point moments, member end moments and joint rotations clockwise positive;
//  - fixed-end reactions and support reactions positive upward;
//  - M(x) positive when sagging, so M(0) = MomentL and M(L) = −MomentP;
//  - T(x) positive when the part left of the section is pushed up, so
//    T(0⁺) = −TL, T(L⁻) = TP and dM/dx = T.
