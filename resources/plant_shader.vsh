vs.1.1
; Plant sway. Inputs: v0 position, v7 and v8 texture coordinates.
; Constants: c0-c3 view x projection and c8-c11 world, both transposed;
; c4 sway (x: shear per unit of height); c5 eye; c6 (diffuse, -, fog offset, -).
mov oT0, v7
mov oT1, v8
; shear x by height above the plant's origin
mov r0, c4
mul r0.x, r0.x, v0.y
add r0, v0, r0
m4x4 r2, r0, c8
m4x4 oPos, r2, c0
mov oD0, c6.x
; fog from the distance to the eye
sub r3.xyz, c5, r2
dp3 r3.w, r3, r3
rsq r3.w, r3.w
rcp r3.w, r3.w
add oFog.x, r3.w, c6.z
