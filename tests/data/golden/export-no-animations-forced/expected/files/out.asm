;//****************************************************************
;//		ANIMATION DATA EXPORTED FROM THE PIXOLAN
;//****************************************************************

;// FRAME DATA STRUCTURE
;// BYTE			DESCRIPTION
;//  0				Width of the frame in blocks
;//  1				Height of the frame in blocks
;//  2				XOffset for start of data
;//  3				YOffset for start of data
;//  4->			Character Block Word.
;//
;// CHARACTER BLOCK WORD
;// BITS			DESCRIPTION
;//  15 - 4			Block number (mask with FFF0h and add to the block table)
;//  3				spare
;//  2				spare
;//  1				X-FLIP BLOCK
;//  0				Y-FLIP BLOCK

;// ANIMATION HEADER
;// ORIGINALLY 1 BLOCKS WE USED - SAVED 0 BLOCKS DUE TO XFLIP, YFLIP OR DUPLICATES
NumberOfAnimations:		db		0
NumberOfPalettes:		db		1

;// PALETTE DATA
PaletteData:
						dw		$0000, $0000, $0000, $0000

;// BLOCK PALETTE DATA
BlockPaletteData:
						db		0
						db		0			;// Pad byte to word align data

;// ANIMATION LIST
AnimationData:
;// GRAPHICS DATA
GraphicData:
						db		$00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00, $00
