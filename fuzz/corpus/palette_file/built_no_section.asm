NumberOfPalettes: db 2
