// The labels of the price-tag lines, as GBK bytes.
#pragma once

// 赔200多的原价为: the true price of the one that loses 200-odd is
inline const char gbk_loss[] = "\xc5\xe2\x32\x30\x30\xb6\xe0\xb5\xc4\xd4\xad\xbc\xdb\xce\xaa";
// ，赚八百多的原价为: , the true price of the one that earns 800-odd is
inline const char gbk_gain[] = "\xa3\xac" // the full-width comma
	"\xd7\xac\xb0\xcb\xb0\xd9\xb6\xe0\xb5\xc4\xd4\xad\xbc\xdb\xce\xaa";
