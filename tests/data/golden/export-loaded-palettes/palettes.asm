; shared
PaletteData:
  dw $7c00,$7801,$7402,$7003
  dw $6c04

  dw $0000
