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
;// ORIGINALLY 17 BLOCKS WE USED - SAVED 0 BLOCKS DUE TO XFLIP, YFLIP OR DUPLICATES
Coin_NumberOfAnimations:		db		1
Coin_NumberOfPalettes:		db		1

;// PALETTE DATA
Coin_PaletteData:
						dw		$7fff, $001f, $0000, $0000

;// BLOCK PALETTE DATA
Coin_BlockPaletteData:
						db		0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0
						db		0
						db		0			;// Pad byte to word align data

;// ANIMATION LIST
Coin_AnimationData:			dw		Coin_AnimRow

;// DATA FOR ANIMATION 0 (Row)
Coin_AnimRow:
						db		1, 0
						dw		Coin_AnimRowFrame0

;// ANIMATION DATA FOR ANIMATION 0 (Row) FRAMES 0 -> 0 
Coin_AnimRowFrame0:
						db		17, 1					;// Width and Height
						db		0, 0					;// Offsets
						dw		$0000, $0010, $0020, $0030, $0040, $0050, $0060, $0070, $0080, $0090, $00a0, $00b0, $00c0, $00d0, $00e0, $00f0, $0100

;// GRAPHICS DATA
Coin_GraphicData:
						db		$40, $3f, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff
						db		$20, $5f, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff
						db		$10, $6f, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff
						db		$08, $77, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff
						db		$04, $7b, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff
						db		$02, $7d, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff
						db		$01, $7e, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff
						db		$00, $7f, $40, $bf, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff
						db		$00, $7f, $20, $df, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff
						db		$00, $7f, $10, $ef, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff
						db		$00, $7f, $08, $f7, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff
						db		$00, $7f, $04, $fb, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff
						db		$00, $7f, $02, $fd, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff
						db		$00, $7f, $01, $fe, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff
						db		$00, $7f, $00, $ff, $40, $bf, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff
						db		$00, $7f, $00, $ff, $20, $df, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff
						db		$00, $7f, $00, $ff, $10, $ef, $00, $ff, $00, $ff, $00, $ff, $00, $ff, $00, $ff
