junk
PaletteData:
PaletteData:
	dw $7, $ab,$1234
	dw
	db 1
