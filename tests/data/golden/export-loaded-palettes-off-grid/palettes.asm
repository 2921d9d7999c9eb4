PaletteData:
 dw $0000,$0000,$0000,$0000
