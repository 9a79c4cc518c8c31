#pragma once
// Units and signs, used by every part of the analysis ("the sign convention"):
//  - lengths and positions in m, forces in kN, moments in kNm, line loads in kN/m,
//    E in kN/m², J in m⁴;
//  - point forces and line loads positive downward;
//  - point moments, member end moments and joint rotations clockwise positive;
//  - fixed-end reactions and support reactions positive upward;
//  - M(x) positive when sagging, so M(0) = MomentL and M(L) = −MomentP;
//  - T(x) positive when the part left of the section is pushed up, so
//    dM/dx = T and, inside the span, T(0⁺) = −TL less the forces standing at
//    x = 0 and T(L⁻) = TP plus the forces at x = L: a force standing on a
//    support goes into the support and into the end force, not into the
//    span's shear.
