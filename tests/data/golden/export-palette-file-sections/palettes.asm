dw $7fff,$7fff,$7fff,$7fff
; PaletteData: in a comment starts the section too
	dw $001f,$0000,$0000,$0000
PaletteData:
	dw $03e0,$0000,$0000,$0000
BlockPaletteData:
	dw $7fff,$0000,$001f,$03e0
dw $7c00,$ffff,$8000,$0421
$7fff dw $1f,$3e0,$7C00,$1
  dw $7fff
dw $00011,$1g1f, $$2
	DW $7c00,$0000,$0000,$0000
	dw $7c00,$0000,$0000,$0000
