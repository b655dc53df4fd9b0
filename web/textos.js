// The pages' own words, one table per language: Portuguese for a browser
// whose language is pt or pt-*, English for any other; ?lang=pt or ?lang=en
// chooses. The programs' own texts (titles, messages) are not here: they
// reach the page as the programs give them. The build puts this file in
// pagina.js after the facts (fatos.cpp) that its texts name.
const TEXTOS = {
  pt: {
    tela_jogo: 'O jogo: paredes, monstros e o avatar que as setas movem',
    tela_editor: 'O tabuleiro em edição: o botão esquerdo pinta com o pincel, o direito esvazia',
    cima: 'seta para cima', baixo: 'seta para baixo', esquerda: 'seta para a esquerda',
    direita: 'seta para a direita', sair: 'Sair', tela_cheia: 'Tela cheia',
    de_novo: 'Jogar de novo', editar_de_novo: 'Editar de novo',
    fim: (s) => 'Fim do jogo, saída ' + s + '. ',
    link_ruim: `O link não traz um tabuleiro: celulas= precisa de ${CELULAS} algarismos de 0 a ${ULTIMA_CELULA}. `,
    tabuleiros: 'Tabuleiros:', outro: 'outro arquivo…',
    ajuda_jogo: '(ou solte um arquivo aqui) · setas movem, Esc sai ·', ao_editor: 'editor de tabuleiros',
    grande: (n, b) => n + ': grande demais para um tabuleiro (' + b + ' bytes).',
    vazio: '0 vazio', parede: '1 parede', monstro: '2 monstro', avatar: '3 avatar',
    grava: 'S grava', sai: 'Esc sai', gravado: 'Gravado:', baixar: (n) => 'baixar ' + n,
    jogar_este: 'jogar este tabuleiro', lido: (n) => n + ': lido como se vê, 12 linhas de 16 células.',
    nao_lido: (n) => n + ' não é lido como se vê:',
    sem_arquivo: (u) => u + ' não pôde ser aberto; o tabuleiro começa vazio.',
    terminou: (s) => 'O editor terminou, saída ' + s + '. ',
    descartar_mudancas: (n) => 'Descartar as mudanças não gravadas em ' + n + '?',
    abrir: 'Abrir', um_arquivo: 'um arquivo…', jogar: 'jogar',
    ajuda_editor: '(ou solte um aqui) · o botão esquerdo pinta com o pincel, o direito esvazia; ' +
      '0 a 3 escolhem o pincel, S grava e baixa, Esc sai ·',
    restaurado: (n) => n + ' foi restaurado do rascunho que o navegador guardou e não está gravado.',
    descartar: 'descartar',
    sem_rascunho: 'Este navegador não guarda rascunhos aqui: as mudanças ficam só até a página fechar.',
  },
  en: {
    tela_jogo: 'The game: walls, monsters and the avatar the arrows move',
    tela_editor: 'The board being edited: the left button paints with the brush, the right one empties',
    cima: 'up', baixo: 'down', esquerda: 'left', direita: 'right', sair: 'Quit',
    tela_cheia: 'Full screen', de_novo: 'Play again', editar_de_novo: 'Edit again',
    fim: (s) => 'Game over, status ' + s + '. ',
    link_ruim: `The link carries no board: celulas= needs ${CELULAS} digits from 0 to ${ULTIMA_CELULA}. `,
    tabuleiros: 'Boards:', outro: 'another file…',
    ajuda_jogo: '(or drop a file here) · arrows move, Esc quits ·', ao_editor: 'board editor',
    grande: (n, b) => n + ': too large for a board (' + b + ' bytes).',
    vazio: '0 empty', parede: '1 wall', monstro: '2 monster', avatar: '3 avatar',
    grava: 'S saves', sai: 'Esc quits', gravado: 'Saved:', baixar: (n) => 'download ' + n,
    jogar_este: 'play this board', lido: (n) => n + ': read as it looks, 12 lines of 16 cells.',
    nao_lido: (n) => n + ' is not read as it looks:',
    sem_arquivo: (u) => u + ' could not be opened; the board starts empty.',
    terminou: (s) => 'The editor ended, status ' + s + '. ',
    descartar_mudancas: (n) => 'Discard the unsaved changes to ' + n + '?',
    abrir: 'Open', um_arquivo: 'a file…', jogar: 'play',
    ajuda_editor: '(or drop one here) · the left button paints with the brush, the right one ' +
      'empties; 0 to 3 choose the brush, S saves and downloads, Esc quits ·',
    restaurado: (n) => n + ' was restored from the draft the browser kept, and is not saved.',
    descartar: 'discard',
    sem_rascunho: 'This browser keeps no draft here: changes are kept only until the page closes.',
  },
};

// The language of ?lang=, else of the browser.
function escolher_idioma() {
  const pedido = new URLSearchParams(location.search).get('lang');
  if (pedido === 'pt' || pedido === 'en') return pedido;
  return /^pt(-|$)/i.test(navigator.language || '') ? 'pt' : 'en';
}
const idioma = escolher_idioma();

// The page's words for chave, given what they name.
function texto(chave, ...partes) {
  const t = TEXTOS[idioma][chave];
  return typeof t === 'function' ? t(...partes) : t;
}

// The page in its language: <html lang>, the app's manifest, the text of
// each element with data-t, the name of each with data-nome.
function traduzir() {
  document.documentElement.lang = idioma;
  document.querySelector('link[rel=manifest]').href = 'manifest-' + idioma + '.webmanifest';
  for (const e of document.querySelectorAll('[data-t]')) e.textContent = texto(e.dataset.t);
  for (const e of document.querySelectorAll('[data-nome]')) e.setAttribute('aria-label', texto(e.dataset.nome));
}
